// Dialog templates as the resource compiler stores them.
#include <gtest/gtest.h>

#include "host/adm/dialog_template.h"

namespace vx::host::adm {
namespace {

TEST(DialogTemplate, ReadsItemsTextsAndOptions) {
  std::string error;
  auto t = ParseDialogTemplate(
      "DIALOG 117 258 \"VsX4 Live Border\"\n"
      "ITEM 2 spin-edit 60 20 100 38 \"\" min=-100 max=100 precision=0 units=%\n"
      "ITEM 9 popup-list 5 60 110 78 \"\" menu=412\n"
      "\n"
      "ITEM 38 button 90 230 110 250 \"?\\\"\\\\\\n\" hidden=1\n",
      &error);
  ASSERT_TRUE(t) << error;
  EXPECT_EQ(117, t->width);
  EXPECT_EQ(258, t->height);
  EXPECT_EQ("VsX4 Live Border", t->title);
  ASSERT_EQ(3u, t->items.size());
  EXPECT_EQ(ItemKind::SpinEdit, t->items[0].kind);
  EXPECT_EQ(-100.0, t->items[0].Number("min"));
  EXPECT_EQ("%", t->items[0].options.at("units"));
  EXPECT_EQ(412.0, t->items[1].Number("menu"));
  EXPECT_EQ(90, t->items[2].bounds.left);
  EXPECT_EQ(250, t->items[2].bounds.bottom);
  EXPECT_EQ("?\"\\\n", t->items[2].text);
  EXPECT_FALSE(t->items[2].Number("units"));
}

TEST(DialogTemplate, RefusesBrokenTemplates) {
  const char* broken[] = {
      "",
      "ITEM 1 button 0 0 1 1 \"x\"",
      "DIALOG 10 10 \"t\"\nITEM 1 gizmo 0 0 1 1 \"x\"",
      "DIALOG 10 10 \"t\"\nITEM 1 button 0 0 1 \"x\"",
      "DIALOG 10 10 \"t\"\nITEM 1 button 0 0 1 1 \"unterminated",
      "DIALOG 10 10 \"t\"\nITEM 1 button 0 0 1 1 \"x\" novalue",
      "DIALOG 10 \"t\"",
      "DIALOG 10 10 \"t\"\nWIDGET 1",
  };
  for (const char* text : broken) {
    std::string error;
    EXPECT_FALSE(ParseDialogTemplate(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

}  // namespace
}  // namespace vx::host::adm
