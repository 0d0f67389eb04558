// The settings tool for administrators: lists the supported printers and their stored
// settings, exports settings into setting files, imports them and deletes them, with the data
// managers and exchange classes the wizard uses and without any window. It asks nothing:
// listings go to the output stream, every message (texts of the string library) to the
// message stream.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CToolArguments.h"
#include "launch/CStrRes.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"

class CSettingsTool {
public:
    static constexpr int exitDone = 0;
    static constexpr int exitFailed = 1;  // refused, or something failed
    static constexpr int exitUsage = 2;

    CSettingsTool(std::ostream& out, std::ostream& messages) : m_out(out), m_messages(messages) {}

    // Runs one command line (the arguments after the program name); the exit status.
    int Run(const std::vector<std::string>& arguments);

    // A path of the command line as the system takes it, made full from the current folder
    // ("/" separates as "\" does); on Linux a host path ("/x/y") stands for "Z:\x\y".
    static std::string SystemPath(const std::string& path);

private:
    int Usage(const std::string& problem);
    void Say(UINT textId, const std::string& argument = {});
    // The supported printer of that name (any case) applied to info, as the wizard's printer
    // page applies it; false (and said so) when there is none.
    bool ApplyPrinter(const std::string& printer, CUtilityInfo& info);

    int ListPrinters(bool json);
    int ListSettings(const CUtilityInfo& info, bool json);
    int Export(const CUtilityInfo& info, const std::string& file, const std::vector<std::string>& names);
    int Import(const CUtilityInfo& info, const std::string& file, const std::vector<std::string>& names, bool replace);
    int Delete(const CUtilityInfo& info, const std::string& name, int kind);

    // Looks names up among the colour and the gamma names: for each, every kind that holds
    // it, in the stored spelling. False (and said so) for a name that neither holds.
    bool FindSettings(const CmyStringArray& colour, const CmyStringArray& gamma, const std::vector<std::string>& names,
                      CmyStringArray& found, std::vector<int>& kinds);

    std::ostream& m_out;
    std::ostream& m_messages;
    CStrRes m_strings;
};
