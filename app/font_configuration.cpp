#include "app/font_configuration.h"

#include <fontconfig/fontconfig.h>

TFontConfigurationLoad::TFontConfigurationLoad() : worker_([] { FcInit(); }) {}

TFontConfigurationLoad::~TFontConfigurationLoad()
{
    Wait();
}

void TFontConfigurationLoad::Wait()
{
    if (worker_.joinable())
        worker_.join();
}
