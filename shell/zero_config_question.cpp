#include "zero_config_question.h"

ZeroConfigQuestion::ZeroConfigQuestion(PAvailableAdapters& adapters)
    : adapters_(adapters), thread_(CreateThread(nullptr, 0, Ask, this, 0, nullptr))
{
    if (!thread_)
        answer_ = adapters_.IsWirelessZeroConfigEnabled();  // no thread: asked here
}

ZeroConfigQuestion::~ZeroConfigQuestion()
{
    Answer();
}

int ZeroConfigQuestion::Answer()
{
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return answer_;
}

DWORD WINAPI ZeroConfigQuestion::Ask(void* question)
{
    ZeroConfigQuestion* self = static_cast<ZeroConfigQuestion*>(question);
    self->answer_ = self->adapters_.IsWirelessZeroConfigEnabled();
    return 0;
}
