// Messages to the user: one function for every report the program makes. On Windows it is a message box
// without owner, shown topmost and in the foreground; natively the text goes to standard error. Tests can
// receive the messages instead.
#pragma once

enum class MessageIcon { Warning, Stop, Exclamation, Information };

void ShowUserMessage(const char* text, const char* caption, MessageIcon icon);

// While an observer is set, messages go to it and nothing is shown. nullptr shows them again.
using UserMessageObserver = void (*)(const char* text, const char* caption, MessageIcon icon);
void SetUserMessageObserver(UserMessageObserver observer);
