// The time this executable's code spends in SendMessageA for one message,
// and how often it sends it: SendMessageA's import is pointed at a stand-in
// that reads the performance counter around the sends of that message.
#pragma once
#include <windows.h>

class CMessageClock
{
public:
    // Starts timing the sends of message; false when SendMessageA is not imported.
    static bool Install(UINT message);
    static long Sends();      // sends of the message so far
    static double SentMs();   // milliseconds spent inside them so far
};
