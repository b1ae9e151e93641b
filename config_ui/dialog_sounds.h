// The short sounds of the Configuration dialog, played from the program's own wave resources.
#pragma once

// Plays wave resource `resource` (the IDW_ ids of resources/resource_ids.h) without waiting; a new sound cuts
// off the one playing.
void PlayDialogSound(int resource);
