#pragma once
// For tests: handlers that record what the program asks of the desktop (message boxes, opening URLs)
// and answer at once, and what screen readers are told, each installed while it lives.

#include "platform/testing/TestObserver.h"

#include <string>
#include <vector>

namespace uitest {

// A message-box handler that records texts and types and answers IDOK, installed while it lives.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    const std::vector<std::string>& Texts() const { return m_texts; }
    const std::vector<UINT>& Types() const { return m_types; }

private:
    std::vector<std::string> m_texts;
    std::vector<UINT> m_types;
    MessageBoxHandler m_previous;
};

// A URL-opener handler that records the URLs, installed while it lives.
class ShellOpenRecorder {
public:
    ShellOpenRecorder();
    ~ShellOpenRecorder();
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;
    const std::vector<std::string>& Urls() const { return m_urls; }

private:
    std::vector<std::string> m_urls;
    ShellOpenHandler m_previous;
};

// Records what screen readers are told of check states, as "<name>: checked" or "<name>: not checked",
// installed while it lives.
class CheckAnnouncementRecorder {
public:
    CheckAnnouncementRecorder();
    ~CheckAnnouncementRecorder();
    CheckAnnouncementRecorder(const CheckAnnouncementRecorder&) = delete;
    CheckAnnouncementRecorder& operator=(const CheckAnnouncementRecorder&) = delete;
    const std::vector<std::string>& Announcements() const { return m_announcements; }

private:
    std::vector<std::string> m_announcements;
    CheckAnnouncementHandler m_previous;
};

} // namespace uitest
