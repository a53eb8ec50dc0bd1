#include "app/system_forms.h"

#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/frmAllFourSignsMain.h"
#include "overview/frmTwoPeopleDisplay.h"
#include "overview/frmTwoPeopleMain.h"
#include "overview/frmTwoPeopleSave.h"

namespace systems {

void unloadAllSystemForms()
{
    // Australian
    forms::unload<frmAustralianAstrologyDisplay>();
    forms::unload<frmAustralianAstrologyMain>();
    forms::unload<frmAustralianAstrologySave>();
    // Celtic
    forms::unload<frmCelticAnimalBirthSignDisplay>();
    forms::unload<frmCelticAnimalBirthSignMain>();
    forms::unload<frmCelticAnimalBirthSignSave>();
    // Chinese
    forms::unload<frmChineseZodiacDisplay>();
    forms::unload<frmChineseZodiacMain>();
    forms::unload<frmChineseZodiacSave>();
    // Mayan
    forms::unload<frmMayanAnimalSignDisplay>();
    forms::unload<frmMayanAnimalSignMain>();
    forms::unload<frmMayanAnimalSignSave>();

    forms::unload<frmAustralianAstrologyDisplay>();
    forms::unload<frmCelticAnimalBirthSignDisplay>();
    forms::unload<frmChineseZodiacDisplay>();
    forms::unload<frmMayanAnimalSignDisplay>();

    forms::unload<frmAllFourSignsDisplay>();
    forms::unload<frmAllFourSignsMain>();

    // Unloading the result form takes its report along.
    forms::unload<frmTwoPeopleDisplay>();
    forms::unload<frmTwoPeopleMain>();
    forms::unload<frmTwoPeopleSave>();
}

OrvoForm *showInputForm(System system)
{
    switch (system) {
    case System::Australian:
        return forms::show<frmAustralianAstrologyMain>();
    case System::Celtic:
        return forms::show<frmCelticAnimalBirthSignMain>();
    case System::Chinese:
        return forms::show<frmChineseZodiacMain>();
    case System::Mayan:
        return forms::show<frmMayanAnimalSignMain>();
    case System::AllFourSigns:
        return forms::show<frmAllFourSignsMain>();
    case System::TwoPeople:
        return forms::show<frmTwoPeopleMain>();
    }
    return nullptr;
}

} // namespace systems
