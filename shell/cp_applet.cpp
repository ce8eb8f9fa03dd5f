#include "cp_applet.h"

#include <vector>

CCPApplet::CCPApplet(UINT resourceId, const CRuntimeClass* uiClass, BOOL newInquiryOnly)
    : uiClass_(uiClass), newInquiryOnly_(newInquiryOnly), resourceId_(resourceId)
{
}

UINT StartPageFromParameters(const char* parameters)
{
    UINT page = 0;
    for (const char* digit = parameters; digit && *digit >= '0' && *digit <= '9'; ++digit) {
        if (page > 100000)  // no sheet has that many pages; stop before overflow
            break;
        page = page * 10 + (*digit - '0');
    }
    return page;
}

LONG CCPApplet::OnRun(CWnd* parent, const char* parameters)
{
    CObject* object = uiClass_ ? uiClass_->CreateObject() : nullptr;
    if (!object)
        return 1;
    if (CPropertySheet* sheet = dynamic_cast<CPropertySheet*>(object)) {
        sheet->SetParent(parent);
        sheet->SetStartPage(StartPageFromParameters(parameters));
        sheet->DoModal();
    } else if (CDialog* dialog = dynamic_cast<CDialog*>(object)) {
        dialog->SetParent(parent);
        dialog->DoModal();
    } else {
        // Nothing to show; nobody else will ever see the object.
        delete object;
    }
    // A window object is its class's to delete when its window is destroyed.
    return 0;
}

LONG CCPApplet::OnInquire(CPLINFO* info)
{
    if (newInquiryOnly_)
        return 1;
    info->idIcon = resourceId_;
    info->idName = resourceId_;
    info->idInfo = resourceId_;
    info->lData = reinterpret_cast<LONG_PTR>(this);
    return 0;
}

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type end = text.find('\n', start);
        pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

// Copies what fits and always terminates: a translated text longer than its
// field is cut rather than spilling into the next one.
void CopyField(char* field, size_t size, const std::vector<std::string>& pieces, size_t index)
{
    lstrcpynA(field, index < pieces.size() ? pieces[index].c_str() : "", static_cast<int>(size));
}

}  // namespace

LONG CCPApplet::OnNewInquire(NEWCPLINFOA* info)
{
    // The 32-bit structure's size, which the Control Panel takes as the
    // 8-bit form of the structure.
    info->dwSize = 244;
    info->dwFlags = 0;
    info->dwHelpContext = 0;
    info->lData = reinterpret_cast<LONG_PTR>(this);
    info->hIcon = LoadResourceIcon(LOWORD(resourceId_));

    std::vector<std::string> pieces;
    std::string text;
    if (TryLoadResString(resourceId_, text))
        pieces = SplitLines(text);
    CopyField(info->szName, sizeof(info->szName), pieces, 0);
    CopyField(info->szInfo, sizeof(info->szInfo), pieces, 1);
    CopyField(info->szHelpFile, sizeof(info->szHelpFile), pieces, 2);
    return 0;
}

LONG CCPApplet::OnSelect()
{
    return 0;
}

LONG CCPApplet::OnStop()
{
    return 0;
}
