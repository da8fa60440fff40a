// The answer to a "get range" message of the range controls (scroll bar, up-down): the message carries
// two optional pointers, to the minimum (WParam) and to the maximum (LParam).
#pragma once

#include "platform/vcl/Messages.h"

inline void AnswerRangeQuery(const TMessage& Message, int Min, int Max) {
    if (Message.WParam != 0) *reinterpret_cast<int*>(Message.WParam) = Min;
    if (Message.LParam != 0) *reinterpret_cast<int*>(Message.LParam) = Max;
}
