#include "platform/dialog/MessageBoxes.h"

#include "platform/app/WinApp.h"
#include "platform/core/Observer.h"
#include "platform/core/Services.h"
#include "platform/dialog/ModalActivation.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(UINT iconType)
{
    switch (iconType) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int AfxMessageBox(const std::string& text, UINT type, UINT)
{
    if (layer::Observer* observer = layer::CurrentObserver()) {
        if (int answer = IDOK; observer->AnswersMessageBox(text, type, &answer)) {
            return answer;
        }
    }
    if (!QApplication::instance()) {
        return IDOK;
    }
    const std::string title = AfxGetApp() ? AfxGetApp()->GetAppTitle() : QApplication::applicationFilePath().toStdString();
    const layer::ModalActivation activation;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setIcon(IconOf(type & 0xF0));
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

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp);
}

