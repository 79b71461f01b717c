// Choosing the run's command from the command text.
#include "plugin/core/switches.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(Switches, Table) {
  const std::pair<std::u16string, Switch> cases[] = {
      {u"", Switch::Check},
      {u"/G", Switch::Check},
      {u"/g", Switch::Check},
      {u"/L", Switch::Replay},
      {u"/l", Switch::Replay},
      {u"/S", Switch::Settings},
      {u"/s", Switch::Settings},
      {u"/B", Switch::Browse},
      {u"/b", Switch::Browse},
      {u"anything before /s", Switch::Settings},  // only the last two characters count
      {u"x/b", Switch::Browse},
      {u"/G ", Switch::None},
      {u"G", Switch::None},
      {u"/", Switch::None},
      {u" ", Switch::None},
      {u"/X", Switch::None},
      {u"/Ｇ", Switch::None},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(parse_switch(text), expected);
}

}  // namespace
}  // namespace vesk
