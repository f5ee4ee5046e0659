#include "platform/sdl_message_source.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

// SDL's event queue works without a display, so these run everywhere.

namespace pavodin {
namespace {

SDL_Event KeyEvent(uint32_t type, SDL_Keycode sym, SDL_Scancode sc, uint16_t mod = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = sc;
  e.key.keysym.mod = mod;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  return e;
}

SDL_Event WindowEvent(uint8_t what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = what;
  return e;
}

std::vector<Message> Drain(SdlMessageSource* source) {
  std::vector<Message> all;
  Message m;
  while (source->Peek(&m)) all.push_back(m);
  return all;
}

TEST(SdlMessageSource, KeyEventsBecomeKeyMessagesInOrder) {
  SdlMessageSource source;
  // Text input is on once video starts; without a display it must be asked for.
  SDL_EventState(SDL_TEXTINPUT, SDL_ENABLE);
  SDL_Event down = KeyEvent(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL);
  SDL_Event up = KeyEvent(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN);
  SDL_Event c_down = KeyEvent(SDL_KEYDOWN, 0xE7, SDL_SCANCODE_SEMICOLON);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "ç", sizeof text.text.text);
  for (SDL_Event* e : {&down, &up, &c_down, &text}) ASSERT_EQ(SDL_PushEvent(e), 1);

  const std::vector<Message> got = Drain(&source);
  ASSERT_EQ(got.size(), 5u);
  EXPECT_EQ(got[0].kind, MessageKind::kKeyDown);
  EXPECT_EQ(got[0].code, vk::kReturn);
  EXPECT_TRUE(got[0].mods.ctrl);
  EXPECT_EQ(got[1].kind, MessageKind::kCharInput);  // made from the key-down
  EXPECT_EQ(got[1].code, 13);
  EXPECT_EQ(got[2].kind, MessageKind::kKeyUp);
  EXPECT_EQ(got[3].kind, MessageKind::kKeyDown);
  EXPECT_EQ(got[4].kind, MessageKind::kCharInput);
  EXPECT_EQ(got[4].code, 0xE7);
}

TEST(SdlMessageSource, WindowAndPointerEvents) {
  SdlMessageSource source;
  struct Case {
    SDL_Event event;
    MessageKind kind;
  } cases[] = {
      {WindowEvent(SDL_WINDOWEVENT_CLOSE), MessageKind::kClose},
      {WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), MessageKind::kFocusIn},
      {WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), MessageKind::kFocusOut},
      {WindowEvent(SDL_WINDOWEVENT_EXPOSED), MessageKind::kExpose},
      {WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED), MessageKind::kExpose},
  };
  for (Case& c : cases) {
    ASSERT_EQ(SDL_PushEvent(&c.event), 1);
    const std::vector<Message> got = Drain(&source);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, c.kind);
  }
  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.button = SDL_BUTTON_RIGHT;
  press.button.x = 300;
  press.button.y = 200;
  SDL_Event left = press;
  left.button.button = SDL_BUTTON_LEFT;
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.x = 310;
  move.motion.y = 190;
  SDL_Event release = press;
  release.type = SDL_MOUSEBUTTONUP;
  for (SDL_Event* e : {&press, &left, &move, &release}) ASSERT_EQ(SDL_PushEvent(e), 1);
  const std::vector<Message> got = Drain(&source);
  ASSERT_EQ(got.size(), 3u);  // the left button is nobody's business
  EXPECT_EQ(got[0].kind, MessageKind::kRightButtonDown);
  EXPECT_EQ(got[0].x, 300);
  EXPECT_EQ(got[1].kind, MessageKind::kMouseMove);
  EXPECT_EQ(got[1].y, 190);
  EXPECT_EQ(got[2].kind, MessageKind::kRightButtonUp);
}

TEST(SdlMessageSource, QuitRequestEndsButAClosedWindowDoesNotAddOne) {
  SdlMessageSource source;
  EXPECT_STREQ(SDL_GetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE), "0");
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  const std::vector<Message> got = Drain(&source);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::kQuit);
}

TEST(SdlMessageSource, PostFromAnotherThreadWakesTheWait) {
  SdlMessageSource source;
  Message posted = Message::Of(MessageKind::kWaveDone);
  posted.wparam = 7;
  posted.lparam = 42;
  std::thread poster([&] {
    SDL_Delay(50);
    source.Post(posted);
  });
  source.Wait();  // would block for ever without the wake-up
  Message m;
  ASSERT_TRUE(source.Peek(&m));
  EXPECT_EQ(m.kind, MessageKind::kWaveDone);
  EXPECT_EQ(m.wparam, 7u);
  EXPECT_EQ(m.lparam, 42u);
  poster.join();
  // The wake-up event itself is no message.
  EXPECT_TRUE(Drain(&source).empty());
}

TEST(SdlMessageSource, NoPostedMessageIsLostWhenSdlsQueueIsFull) {
  SdlMessageSource source;
  constexpr int kPosts = 70000;  // more than SDL's queue holds
  std::thread poster([&] {
    for (int i = 0; i < kPosts; ++i) {
      Message m = Message::Of(MessageKind::kWaveDone);
      m.wparam = static_cast<std::uintptr_t>(i);
      source.Post(m);
    }
  });
  poster.join();
  int seen = 0;
  Message m;
  while (source.Peek(&m)) {
    ASSERT_EQ(m.wparam, static_cast<std::uintptr_t>(seen));
    ++seen;
  }
  EXPECT_EQ(seen, kPosts);
}

}  // namespace
}  // namespace pavodin
