// The help file as built and shown: its context map opens a topic for every context id the
// wizard asks for, its text fits the terminal, the labels and messages it quotes are the string
// library's own texts, and on Linux the Help button prints the page's topic in the terminal.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "HelpProject.h"
#include "HelpTopicFile.h"
#include "HelpTopicText.h"
#include "TextWrapper.h"
#include "launch/CHtmlHelpEntry.h"
#include "launch/CStrRes.h"
#include "launch/TavrelEntry.h"
#include "platform/posix/Simulation.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuiltHelp = std::string(TAVREL_BIN_DIR) + "/" + TAVREL_HELP_FILE;
const std::string kProject = std::string(TAVREL_HELP_SOURCE_DIR) + "/Tavrel.hhp";
constexpr unsigned kLastContextId = 8;  // the wizard's topics are 1 ... 8

std::string ReadHostFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs a command line and returns what it printed on standard output.
std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::map<unsigned, std::string> ProjectTopics()
{
    HelpProject project;
    EXPECT_TRUE(project.Load(kProject));
    return project.Topics();
}

// ---- The compiled help file -------------------------------------------------------------------

TEST(BuiltHelpTest, ContextMapOpensTheProjectsTopicForEveryContextId)
{
    ASSERT_TRUE(fs::exists(kBuiltHelp)) << kBuiltHelp;
    const std::map<unsigned, std::string> topics = ProjectTopics();
    for (unsigned id = 0; id <= kLastContextId; ++id) ASSERT_TRUE(topics.count(id)) << "no topic for context id " << id;

    // chmls (fp-utils, beside chmcmd) writes the compiled context map as "helpid<id>=<topic>"
    // into "<name>.ali" beside a help file it is given by a name in the current folder.
    const fs::path scratch = fs::temp_directory_path() / ("tvhelpmap" + std::to_string(getpid()));
    fs::create_directories(scratch);
    const fs::path copy = scratch / fs::path(kBuiltHelp).filename();
    fs::copy_file(kBuiltHelp, copy, fs::copy_options::overwrite_existing);
    CommandOutput("cd '" + scratch.string() + "' && chmls extractalias '" + copy.filename().string() + "' 2>/dev/null");
    const std::string map = ReadHostFile(fs::path(copy).replace_extension(".ali").string());
    fs::remove_all(scratch);
    ASSERT_FALSE(map.empty()) << "no context map in " << kBuiltHelp;

    const std::string files = CommandOutput("chmls -n list '" + kBuiltHelp + "' 2>/dev/null");
    for (unsigned id = 1; id <= kLastContextId; ++id) {
        const std::string entry = "helpid" + std::to_string(id) + "=/" + topics.at(id) + "\n";
        EXPECT_NE(map.find(entry), std::string::npos) << entry << "in\n" << map;
        EXPECT_NE(files.find("/" + topics.at(id) + "\n"), std::string::npos) << topics.at(id);
    }
    EXPECT_NE(files.find("/" + topics.at(0) + "\n"), std::string::npos) << "default topic " << topics.at(0);
}

TEST(BuiltHelpTest, EveryTopicHasItsOwnTitleAndFitsTheTerminal)
{
    HelpTopicFile text;
    ASSERT_TRUE(text.Load(kBuiltHelp)) << HelpTopicFile::TextPath(kBuiltHelp);
    std::set<std::string> titles;
    for (unsigned id = 0; id <= kLastContextId; ++id) {
        HelpTopicFile::Topic topic;
        ASSERT_TRUE(text.Find(id, topic)) << id;
        EXPECT_FALSE(topic.title.empty()) << id;
        EXPECT_TRUE(titles.insert(topic.title).second) << "two topics titled " << topic.title;
        EXPECT_GT(topic.lines.size(), 5u) << topic.title;
        for (const std::string& line : topic.lines) {
            EXPECT_LE(line.size(), HelpTopicText::width) << topic.title << ": " << line;
            EXPECT_EQ(line.find("<span"), std::string::npos) << line;  // no markup left
        }
    }
    HelpTopicFile::Topic none;
    EXPECT_FALSE(text.Find(kLastContextId + 1, none));
}

// ---- The texts the topics quote ---------------------------------------------------------------

struct Quote {
    std::string file;
    unsigned id;
    std::string html;  // the quoted text as written, placeholders as <var>...</var>
};

std::vector<Quote> Quotes()
{
    std::vector<Quote> quotes;
    const std::regex span(R"re(<span class="(label|message)" data-string="([0-9]+)">((?:[^<]|<var>[^<]*</var>)*)</span>)re");
    for (const auto& entry : fs::directory_iterator(TAVREL_HELP_SOURCE_DIR)) {
        if (entry.path().extension() != ".html") continue;
        std::string html = ReadHostFile(entry.path().string());
        for (char& c : html) if (c == '\n') c = ' ';
        for (auto it = std::sregex_iterator(html.begin(), html.end(), span); it != std::sregex_iterator(); ++it) {
            quotes.push_back({entry.path().filename().string(), static_cast<unsigned>(std::stoul((*it)[2])), (*it)[3]});
        }
        // Every quote is in that form: a data-string outside it would go unchecked.
        size_t marks = 0;
        for (size_t at = html.find("data-string"); at != std::string::npos; at = html.find("data-string", at + 1)) ++marks;
        size_t matched = 0;
        for (const Quote& q : quotes) matched += q.file == entry.path().filename().string();
        EXPECT_EQ(marks, matched) << entry.path().filename() << " has a quote the check cannot read";
    }
    return quotes;
}

// Both sides in one form: single spaces, entities decoded, accelerator marks dropped, each
// placeholder ("%s", "%d", <var>...</var>) as "#".
std::string Comparable(std::string text, bool fromLibrary)
{
    if (fromLibrary) {
        text = std::regex_replace(text, std::regex("%[sd]"), "#");
        text = std::regex_replace(text, std::regex("&(.)"), "$1");
    } else {
        text = std::regex_replace(text, std::regex("<var>[^<]*</var>"), "#");
        text = std::regex_replace(text, std::regex("&quot;"), "\"");
        text = std::regex_replace(text, std::regex("&amp;"), "&");
    }
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(HelpTextsTest, EveryQuotedLabelAndMessageIsTheStringLibrarysText)
{
    SimMachine machine;  // the string library is found beside the programs
    const CStrRes strings;
    const std::vector<Quote> quotes = Quotes();
    ASSERT_GT(quotes.size(), 100u);
    std::set<unsigned> ids;
    for (const Quote& q : quotes) {
        const std::string text = strings.Load(q.id);
        ids.insert(q.id);
        EXPECT_FALSE(text.empty()) << q.file << ": string " << q.id << " does not exist";
        EXPECT_EQ(Comparable(q.html, false), Comparable(text, true)) << q.file << ": string " << q.id;
    }
    // The messages a page can show are explained on it; a few that must not be forgotten:
    for (unsigned id : {501u, 517u, 521u, 524u, 525u, 527u, 535u, 542u, 546u, 548u, 561u, 565u}) {
        EXPECT_TRUE(ids.count(id)) << "no topic explains message " << id;
    }
}

// ---- The text rendering -----------------------------------------------------------------------

TEST(HelpTopicTextTest, RendersHeadingsListsAndDefinitionsAsIndentedLines)
{
    HelpTopicText topic;
    topic.Render("<html><head><title>\n  Save the\n setting </title><link rel=\"stylesheet\" href=\"x.css\"></head>"
                 "<body><h1>Save the setting</h1><p>Type a &quot;name&quot; &amp; click.</p>"
                 "<ul><li>One</li><li>Two</li></ul><h2>Controls</h2>"
                 "<dl><dt><span class=\"label\" data-string=\"210\">Save</span></dt><dd>Saves it.</dd>"
                 "<dt><span class=\"message\" data-string=\"548\">The setting \"<var>name</var>\" is saved.</span></dt>"
                 "<dd>Done.</dd></dl></body></html>");
    EXPECT_EQ(topic.Title(), "Save the setting");
    const std::vector<std::string> expected = {
        "Type a \"name\" & click.", "", "  - One", "  - Two", "", "Controls", "--------", "\"Save\"", "    Saves it.", "",
        "The setting \"<name>\" is saved.", "    Done."};
    EXPECT_EQ(topic.Lines(), expected);
}

TEST(HelpTopicTextTest, WrapsAtTheWidthWithTheIndentOfEachLine)
{
    const std::string words = "aaaa bbbb cccc dddd";
    EXPECT_EQ(TextWrapper::Wrap(words, "  - ", "    ", 13),
              (std::vector<std::string>{"  - aaaa bbbb", "    cccc dddd"}));
    EXPECT_EQ(TextWrapper::Wrap(words, "", "", 9), (std::vector<std::string>{"aaaa bbbb", "cccc dddd"}));
    EXPECT_EQ(TextWrapper::Wrap("averyveryverylongword x", "", "", 5),
              (std::vector<std::string>{"averyveryverylongword", "x"}));
    EXPECT_TRUE(TextWrapper::Wrap("   ", "", "", 5).empty());
}

// ---- Help in the terminal (the help engine stand-in) ------------------------------------------

const char kUtility[] = "C:\\Host\\Tintora\\";
const char kTopicsText[] =
    "@topic 0 Contents\nall topics\n@topic 7 Gamma page\nfirst line\n\nsecond line\n@topic 8 Stored\nx\n";

class HelpInTerminalTest : public ::testing::Test {
protected:
    HelpInTerminalTest() { SimMachineClearHelpRequests(); }

    // What the engine printed for one request.
    std::string Shown(const char* file, UINT command, DWORD_PTR data)
    {
        testing::internal::CaptureStderr();
        EXPECT_NE(engine.Call(nullptr, file, command, data), nullptr);
        return testing::internal::GetCapturedStderr();
    }

    SimMachine machine;  // the engine ("hhctrl.ocx") is found beside the programs
    CHtmlHelpEntry engine;
};

TEST_F(HelpInTerminalTest, ContextIdPrintsItsTopicAndOpeningTheFileItsTitle)
{
    machine.WriteFile(std::string(kUtility) + "guide.chm.txt", kTopicsText);
    const std::string file = std::string(kUtility) + "guide.chm";
    EXPECT_EQ(Shown(file.c_str(), CHtmlHelpEntry::helpContext, 7),
              "\nHelp: Gamma page\n================\nfirst line\n\nsecond line\n");
    EXPECT_EQ(Shown(file.c_str(), CHtmlHelpEntry::displayTopic, 0), "\nHelp: Contents (" + file + ")\n");
    EXPECT_EQ(Shown(file.c_str(), CHtmlHelpEntry::helpContext, 3),
              "\nHelp: " + file + " has no topic for context id 3.\n");
    EXPECT_EQ(Shown("C:\\Host\\Tintora\\other.chm", CHtmlHelpEntry::helpContext, 7),
              "\nHelp: the help file C:\\Host\\Tintora\\other.chm cannot be opened.\n");
    EXPECT_EQ(Shown(file.c_str(), 0x12, 7), "");  // a command that shows no topic

    // Every request is still recorded as asked.
    std::vector<SIM_HELP_REQUEST> requests(SimMachineHelpRequests(nullptr, 0));
    SimMachineHelpRequests(requests.data(), static_cast<DWORD>(requests.size()));
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[0].command, CHtmlHelpEntry::helpContext);
    EXPECT_EQ(requests[0].data, 7u);
    EXPECT_STREQ(requests[0].file, file.c_str());
}

// The utility folder as laid out for a printer owner: "Tavrel.ini" names the built help file.
class HelpButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        machine.WriteFile(std::string(kUtility) + "Tavrel.ini", std::string("[HelpFile]\r\nFileName=") + TAVREL_HELP_FILE +
                                                                     "\r\n[CCMVer10]\r\nModule=TVCCM.dll\r\nPrintMode=EMF\r\n");
        machine.WriteFile(std::string(kUtility) + TAVREL_HELP_FILE, ReadHostFile(kBuiltHelp));
        machine.WriteFile(std::string(kUtility) + TAVREL_HELP_FILE + ".txt", ReadHostFile(HelpTopicFile::TextPath(kBuiltHelp)));

        const char folder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";
        SimDriver driver;
        driver.name = "TvHelp Model";
        driver.driverPath = std::string(folder) + "tvhelp.dll";
        driver.dependentFiles = {"TVHELP.CAP", "TVHELPCM.INI"};
        machine.AddDriver(driver);
        machine.WriteFile(std::string(folder) + "TVHELP.CAP",
                          "[Capability]\r\nTvHelp Model=Model\r\n[Model]\r\nCCMInfoFile=TVHELPCM.INI\r\n"
                          "CCMVersion=10\r\nLocalPrinterOnly=0\r\n");
        machine.WriteFile(std::string(folder) + "TVHELPCM.INI", "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
        SimPrinter printer;
        printer.name = "Help Printer";
        printer.driver = driver.name;
        machine.AddPrinter(printer);
        machine.Apply();
    }

    static HelpTopicFile::Topic BuiltTopic(unsigned id)
    {
        HelpTopicFile text;
        HelpTopicFile::Topic topic;
        EXPECT_TRUE(text.Load(kBuiltHelp));
        EXPECT_TRUE(text.Find(id, topic)) << id;
        return topic;
    }

    SimMachine machine;
};

TEST_F(HelpButtonTest, HelpOnAPagePrintsThatPagesTopic)
{
    constexpr UINT kColourOption = 1012;
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(kColourOption).Next().Next().Help().Cancel();  // Help on the starting-setting page
    testing::internal::CaptureStderr();
    EXPECT_EQ(CallTintora32(0, 0, nullptr, 0), 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(user.Finished());

    const HelpTopicFile::Topic topic = BuiltTopic(3);
    std::string expected = "\nHelp: " + topic.title + "\n" + std::string(6 + topic.title.size(), '=') + "\n";
    for (const std::string& line : topic.lines) expected += line + "\n";
    EXPECT_NE(shown.find(expected), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Help: " + BuiltTopic(5).title + "\n"), std::string::npos);
    // Opening the file comes first and names the help file's own title.
    EXPECT_LT(shown.find("Help: " + BuiltTopic(0).title + " ("), shown.find(expected));
}

TEST_F(HelpButtonTest, WithACallerGivenPrinterTheTopicFollowsThePagePosition)
{
    constexpr UINT kGammaOption = 1013;
    MessageBoxRecorder boxes;
    ScriptedUser user;
    // No printer page: the gamma page is the third page, whose topic is a starting setting's.
    user.Click(kGammaOption).Next().Next().Help().Cancel();
    testing::internal::CaptureStderr();
    EXPECT_EQ(CallTintora32(0, 0, "Help Printer", 0), 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(user.Finished());
    EXPECT_NE(shown.find("Help: " + BuiltTopic(4).title + "\n"), std::string::npos) << shown;
}

}  // namespace
