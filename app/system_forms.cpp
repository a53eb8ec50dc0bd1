#include "app/system_forms.h"

#include "app/form_registry.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"

namespace systems {

void unloadAllSystemForms()
{
    // Australian
    // Celtic
    forms::unload<frmCelticAnimalBirthSignDisplay>();
    forms::unload<frmCelticAnimalBirthSignMain>();
    forms::unload<frmCelticAnimalBirthSignSave>();
    // Chinese
    // Mayan

    forms::unload<frmCelticAnimalBirthSignDisplay>();
}

OrvoForm *showInputForm(System system)
{
    switch (system) {
    case System::Australian:
        return nullptr;
    case System::Celtic:
        return forms::show<frmCelticAnimalBirthSignMain>();
    case System::Chinese:
        return nullptr;
    case System::Mayan:
        return nullptr;
    }
    return nullptr;
}

} // namespace systems
