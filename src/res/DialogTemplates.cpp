#include "ui/platform/DialogTemplate.h"

#include <array>

// The program's dialog templates, looked up by id.
const DialogTemplate* FindDialogTemplate(int id)
{
    static constexpr std::array<const DialogTemplate*, 0> kTemplates{};
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}
