// Date settings for the fuzz targets, chosen by one input byte: the record, the lead bytes of
// its code page and the clock's year all come from that byte.
#pragma once

#include <cstdint>

namespace fuzzdates {

enum class Choice {
  All,          // the era settings too
  WrittenBack,  // only settings whose date texts this platform can write in full
};

// Puts the settings that `byte` chooses in force until the next call.
void UseDateSettings(uint8_t byte, Choice choice);

}  // namespace fuzzdates
