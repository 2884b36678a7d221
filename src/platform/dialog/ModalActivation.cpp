#include "platform/dialog/ModalActivation.h"

#include <QApplication>

namespace layer {

ModalActivation::ModalActivation() : m_previous(QApplication::activeWindow()) {}

ModalActivation::~ModalActivation()
{
    if (m_previous && m_previous->isVisible()) {
        m_previous->activateWindow();
    }
}

} // namespace layer
