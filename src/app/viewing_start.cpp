#include "app/viewing_start.h"

#include "app/last_mode.h"
#include "display/software_adapter.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <string>

namespace {

ViewingChoice storedViewingChoice() {
    const RegistryKey key = openProgramKeyForQuery(kLecternKey);
    char text[64] = {};
    if (!key || !queryStringValue(key, kViewingValue, text, sizeof text)) {
        return {};
    }
    return viewingChoiceFromValue(text);
}

void storeViewingChoice(const ViewingChoice& choice) {
    // Not reported when it fails: this run uses the choice anyway.
    if (const RegistryKey key = createProgramKey(kLecternKey)) {
        writeStringValue(key, kViewingValue, viewingValueText(choice).c_str());
    }
}

} // namespace

bool takeViewingChoice(const char* commandLine) {
    const ViewingArguments arguments = viewingArguments(commandLine != nullptr ? commandLine : "");
    switch (arguments.kind) {
    case ViewingArguments::UnknownName:
        platform().messageBox(unknownViewingMethodText(arguments.name).c_str(),
                              kUnknownViewingMethodCaption, MB_OK | MB_ICONSTOP);
        return false;
    case ViewingArguments::Chosen:
        viewingChoice = arguments.choice;
        storeViewingChoice(viewingChoice);
        return true;
    case ViewingArguments::NotGiven:
        break;
    }
    viewingChoice = storedViewingChoice();
    return true;
}
