#pragma once

// The program state that outlives a test function in a screen suite: the message-box script,
// the open-screen counter, the selection state the screens hand each other, and the statement
// recording. Every screen suite starts each test function from the same blank state and ends it
// with the same checks, so one test's prompts, screens or choices never decide the next one's
// outcome.
//
//   void init()    { ScreenTestReset::begin(); ...open the library and the main window... }
//   void cleanup()
//   {
//       ScreenTestReset::verifyScriptConsumed();
//       ...close the screens and the main window...
//       ScreenTestReset::verifyNothingOpen();
//   }
namespace ScreenTestReset {

// Prompts answered from the script only, nothing shown or queued, no screen counted open, the
// selection state as at start-up, no statements recorded.
void begin();

// At the end of the test body, before the teardown queues its own answers: every answer the
// test queued was asked for, and every question found an answer queued (an unforeseen question
// gets its default answer silently and the test walks a branch it never meant to). Left out
// after a failed step, whose leftovers only repeat that failure.
void verifyScriptConsumed();

// After the suite's teardown: no data screen still counted open, no window still showing, no
// list fill's topic look-up still open on the database; then the state is wiped again for
// whatever runs next.
void verifyNothingOpen();

} // namespace ScreenTestReset
