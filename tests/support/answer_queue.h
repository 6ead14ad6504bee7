// The message boxes a test back end shows, recorded, and the answers a test
// queues for them: one queue for the fake, the Qt and the Win32 back ends.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/message_box.h"

namespace testing_support {

struct ShownMessage {
  std::string prompt;
  unsigned flags;
};

class AnswerQueue {
 public:
  // Answers in order, for the boxes that ask something.
  std::deque<ui::Answer> answers;
  std::vector<ShownMessage> messages;

 protected:
  // Records the box. An OK box is answered OK; a question gets the next
  // queued answer, or, with none queued, No, as a box closed without a
  // choice.
  ui::Answer RecordAndAnswer(const std::string& prompt, unsigned flags) {
    messages.push_back({prompt, flags});
    if (!IsQuestion(flags)) return ui::Answer::Ok;
    if (answers.empty()) return ui::Answer::No;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  static bool IsQuestion(unsigned flags) { return (flags & ui::mb::kButtonsMask) == ui::mb::kYesNo; }
};

}  // namespace testing_support
