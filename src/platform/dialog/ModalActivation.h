#pragma once
// A modal run (a message box, a modal dialog) hands the activation back to the window that had it when the
// run began, as the classic desktop reactivates a box's owner. A bare X server would leave no window
// active, and the keys would go nowhere.

#include <QPointer>
#include <QWidget>

namespace layer {

class ModalActivation {
public:
    ModalActivation();  // notes the active window
    ~ModalActivation(); // activates it again if it is still shown
    ModalActivation(const ModalActivation&) = delete;
    ModalActivation& operator=(const ModalActivation&) = delete;

private:
    QPointer<QWidget> m_previous;
};

} // namespace layer
