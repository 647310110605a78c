#include "activities/framework/windows/CenterForm.h"

#include "platform/ui/ScreenCentre.h"

namespace activity {

void Center_Form(QWidget& form)
{
    platform::ui::centreOnScreen(form);
}

}  // namespace activity
