#include "exchange/CExchangeMessageBoxes.h"

#include "framework/MessageBox.h"
#include "launch/CmyMessageBox.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"

void CExchangeMessageBoxes::Refuse(UINT textId, const std::string& argument)
{
    CmyMessageBox().Show(m_owner, textId, MB_ICONWARNING, IDS_CAPTION_WARNING, argument);
}

void CExchangeMessageBoxes::Warn(UINT textId, const std::string& first, const std::string& second)
{
    CmyMessageBox().ShowText(FormatText(m_strings.Load(textId), first, second), MB_ICONWARNING);
}

void CExchangeMessageBoxes::WentWithout(const std::vector<Omission>& omissions)
{
    // A box taller than the screen would hide its own button: the first few are listed.
    constexpr size_t listed = 8;
    std::string text;
    for (size_t i = 0; i < omissions.size() && i < listed; ++i) {
        if (!text.empty()) text += "\n";
        text += FormatText(m_strings.Load(omissions[i].textId), omissions[i].file, omissions[i].setting);
    }
    if (omissions.size() > listed) {
        text += "\n" + FormatNumber(m_strings.Load(IDS_MSG_MORE_OMISSIONS), static_cast<int>(omissions.size() - listed));
    }
    if (!text.empty()) CmyMessageBox().ShowText(text, MB_ICONWARNING);
}

void CExchangeMessageBoxes::Done(UINT textId, UINT captionId, const std::string& argument)
{
    CmyMessageBox().Show(m_owner, textId, MB_ICONINFORMATION, static_cast<int>(captionId), argument);
}

bool CExchangeMessageBoxes::ConfirmReplaceFile(const std::string& target)
{
    const std::string question = FormatText(m_strings.Load(IDS_QUESTION_REPLACE_FILE), target);
    return CmyMessageBox().ShowText(question, MB_OKCANCEL) == IDOK;
}

bool CExchangeMessageBoxes::ConfirmReplaceSetting(const std::string& name)
{
    return CmyMessageBox().Show(m_owner, IDS_QUESTION_REPLACE_SETTING, MB_OKCANCEL | MB_ICONQUESTION,
                                IDS_CAPTION_WARNING, name) == IDOK;
}
