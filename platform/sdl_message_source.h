#ifndef PAVODIN_PLATFORM_SDL_MESSAGE_SOURCE_H_
#define PAVODIN_PLATFORM_SDL_MESSAGE_SOURCE_H_

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include <SDL2/SDL_events.h>

#include "platform/message_source.h"
#include "platform/sdl_keys.h"

// The program's message queue when the console is an SDL window: SDL's
// events (keys, focus, exposure, pointer, close) turned into messages, plus
// the messages other threads post (the sound device's blocks done, speech
// wake-ups). SDL events are taken on the program's thread only; Post may be
// called from any thread and wakes a Wait through an SDL user event.
//
// The window's close button (and Alt+F4 from the window manager) gives
// kClose; SDL's quit request, which it sends on SIGINT and SIGTERM, gives kQuit.

namespace pavodin {

class SdlMessageSource : public MessageSource {
 public:
  // Starts SDL's event subsystem (reference-counted with the other SDL users).
  SdlMessageSource();
  ~SdlMessageSource() override;

  SdlMessageSource(const SdlMessageSource&) = delete;
  SdlMessageSource& operator=(const SdlMessageSource&) = delete;

  bool Peek(Message* msg) override;
  void Wait() override;
  void Post(const Message& msg) override;

  // The messages one SDL event stands for (exposed for tests).
  void Translate(const SDL_Event& event, std::vector<Message>* out);

 private:
  bool TakePosted(Message* msg);

  std::mutex mutex_;
  std::deque<Message> posted_;     // guarded by mutex_
  std::deque<Message> translated_;  // program thread only
  SdlKeyTranslator keys_;
  uint32_t wake_event_ = 0;
  bool initialised_ = false;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_SDL_MESSAGE_SOURCE_H_
