#include "platform/dialog/MessageBoxes.h"

#include "platform/dialog/ModalActivation.h"
#include "platform/core/Services.h"
#include "platform/app/WinApp.h"
#include "platform/host/WindowRegistry.h"

#include <QApplication>
#include <QMessageBox>

#include <mutex>

namespace {

std::mutex g_handlerMutex;
MessageBoxHandler g_messageBoxHandler;

} // namespace

namespace layer {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    MessageBoxHandler handler;
    {
        const std::lock_guard lock(g_handlerMutex);
        handler = g_messageBoxHandler;
    }
    if (handler) {
        return handler(text, type);
    }
    if (!QApplication::instance()) {
        return IDOK;
    }
    const std::string title = !caption.empty() ? caption : AfxGetApp() ? AfxGetApp()->GetAppTitle() : QApplication::applicationFilePath().toStdString();
    const ModalActivation activation;
    QWidget* parent = nullptr;
    if (WindowRecord* rec = Find(owner); rec && rec->outer) {
        parent = rec->outer->window();
    } else {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (type & 0xF0) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

} // namespace layer

int AfxMessageBox(const std::string& text, UINT nType, UINT)
{
    return layer::ShowMessageBox(nullptr, text, {}, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    const std::lock_guard lock(g_handlerMutex);
    return std::exchange(g_messageBoxHandler, std::move(handler));
}
