// Resource ids shared by the code and the resource script.
#pragma once

#define IDI_PLUMORA 112
