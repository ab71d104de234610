#include "aboutbox.h"

#include "aboutlines.h"
#include "decrypt.h"
#include "runtime.h"
#include "version.h"

namespace ostrel {

std::u16string aboutMessage()
{
    std::u16string message;
    for (std::u16string_view line : kAboutLines) {
        if (!message.empty()) message += u"\r\n";
        message += Decrypt(std::u16string(line));
    }
    return message;
}

void Form_Click(Runtime& runtime) { runtime.messageBox(aboutMessage(), u"" OSTREL_PRODUCT); }

}  // namespace ostrel
