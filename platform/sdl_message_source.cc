#include "platform/sdl_message_source.h"

#include <SDL2/SDL.h>

namespace pavodin {

SdlMessageSource::SdlMessageSource() {
  // A closed window must end the program through kClose alone, never also
  // through the quit request SDL would add after the last window closes.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  initialised_ = SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
  wake_event_ = SDL_RegisterEvents(1);
}

SdlMessageSource::~SdlMessageSource() {
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

bool SdlMessageSource::TakePosted(Message* msg) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (posted_.empty()) return false;
  *msg = posted_.front();
  posted_.pop_front();
  return true;
}

bool SdlMessageSource::Peek(Message* msg) {
  if (!translated_.empty()) {
    *msg = translated_.front();
    translated_.pop_front();
    return true;
  }
  if (TakePosted(msg)) return true;
  SDL_Event event;
  std::vector<Message> out;
  while (SDL_PollEvent(&event)) {
    out.clear();
    Translate(event, &out);
    if (out.empty()) continue;
    translated_.insert(translated_.end(), out.begin() + 1, out.end());
    *msg = out.front();
    return true;
  }
  return false;
}

void SdlMessageSource::Wait() {
  if (!translated_.empty()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!posted_.empty()) return;
  }
  // Returns as soon as any event is queued, without taking it; a Post made
  // after the check above has pushed a wake-up event by then.
  if (SDL_WaitEvent(nullptr) == 0) SDL_Delay(10);
}

void SdlMessageSource::Post(const Message& msg) {
  bool was_empty = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    was_empty = posted_.empty();
    posted_.push_back(msg);
  }
  // One wake-up per batch: Wait looks at posted_ before it sleeps, so later
  // messages of the batch need none, and SDL's queue never fills with them.
  if (!was_empty) return;
  SDL_Event wake{};
  wake.type = wake_event_;
  SDL_PushEvent(&wake);
}

void SdlMessageSource::Translate(const SDL_Event& event, std::vector<Message>* out) {
  switch (event.type) {
    case SDL_KEYDOWN:
      keys_.KeyDown(event.key.keysym, out);
      break;
    case SDL_KEYUP:
      keys_.KeyUp(event.key.keysym, out);
      break;
    case SDL_TEXTINPUT:
      keys_.TextInput(event.text.text, out);
      break;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          out->push_back(Message::Of(MessageKind::kClose));
          break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out->push_back(Message::Of(MessageKind::kFocusIn));
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out->push_back(Message::Of(MessageKind::kFocusOut));
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
          out->push_back(Message::Of(MessageKind::kExpose));
          break;
        default:
          break;
      }
      break;
    case SDL_MOUSEMOTION: {
      Message m = Message::Of(MessageKind::kMouseMove);
      m.x = event.motion.x;
      m.y = event.motion.y;
      out->push_back(m);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_RIGHT) {
        Message m = Message::Of(event.type == SDL_MOUSEBUTTONDOWN ? MessageKind::kRightButtonDown
                                                                  : MessageKind::kRightButtonUp);
        m.x = event.button.x;
        m.y = event.button.y;
        out->push_back(m);
      }
      break;
    case SDL_QUIT:
      out->push_back(Message::Of(MessageKind::kQuit));
      break;
    default:
      break;  // the wake-up event and everything the console has no use for
  }
}

}  // namespace pavodin
