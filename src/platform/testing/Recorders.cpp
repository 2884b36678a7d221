#include "platform/testing/Recorders.h"

#include "platform/core/Messages.h"
#include "platform/testing/TestObserver.h"

namespace uitest {

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = SetMessageBoxHandler([this](const std::string& text, UINT type) {
        m_texts.push_back(text);
        m_types.push_back(type);
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(m_previous); }

ShellOpenRecorder::ShellOpenRecorder()
{
    m_previous = SetShellOpenHandler([this](const std::string& url) { m_urls.push_back(url); });
}

ShellOpenRecorder::~ShellOpenRecorder() { SetShellOpenHandler(m_previous); }

CheckAnnouncementRecorder::CheckAnnouncementRecorder()
{
    m_previous = SetCheckAnnouncementHandler([this](const std::string& name, bool checked) {
        m_announcements.push_back(name + (checked ? ": checked" : ": not checked"));
    });
}

CheckAnnouncementRecorder::~CheckAnnouncementRecorder() { SetCheckAnnouncementHandler(m_previous); }

} // namespace uitest
