#include "content/slide_reading_shell.h"

#include "content/hex_colour_pens.h"
#include "platform/platform.h"

void presentSlideReading(const SlideReading& reading) {
    for (int i = 0; i < reading.beeps; ++i) {
        platform().beep(MB_ICONEXCLAMATION);
    }
    replaceHexColourPens(reading.hexColourIndexes);
    if (reading.message) {
        platform().messageBox(reading.message->text.c_str(), reading.message->caption.c_str(),
                              MB_OK);
    }
}
