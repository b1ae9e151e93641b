#include "config_ui/dialog_sounds.h"

#include <windows.h>

#include <mmsystem.h>

void PlayDialogSound(int resource) {
    PlaySoundA(MAKEINTRESOURCEA(resource), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
}
