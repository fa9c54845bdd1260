#pragma once
// The system's font configuration (fontconfig's files and caches), read on a
// worker while the application object is made. Qt's font database reads it
// when the first text is measured, and then finds it read: most of the way
// to the first paint's fonts is off the main thread.

#include <thread>

class TFontConfigurationLoad {
public:
    // Starts reading; before the application object, which needs none of it.
    TFontConfigurationLoad();
    // Waits for the reading to end.
    ~TFontConfigurationLoad();
    TFontConfigurationLoad(const TFontConfigurationLoad &) = delete;
    TFontConfigurationLoad &operator=(const TFontConfigurationLoad &) = delete;

    // Returns once the configuration has been read; call before the first
    // text is measured, so that it is not read twice at once.
    void Wait();

private:
    std::thread worker_;
};
