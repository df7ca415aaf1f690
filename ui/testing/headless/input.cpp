// Test gestures in memory: keys, clicks and drops reach the controls as the message loop
// would hand them over.
#include "ui/testing.h"

#include "platform/testing.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/form_impl.h"
#include "ui/headless/list_native.h"
#include "ui/list_view.h"

namespace ui::testing {

void PressKey(Form& form, ShortCut key) { headless::DeliverKey(form, key); }

void TypeText(Form& form, const std::string& text) {
  if (headless::KeyTarget* focus = form.impl().focus) focus->Chars(text);
}

void ClickColumnHeader(ListView& list, int column) { list.ColumnClicked(column); }

void ClickRow(ListView& list, int index) { headless::ListNative::Of(list).ClickRow(index); }

void DropFiles(Form& form, const std::vector<std::string>& paths, bool utf8) {
  platform::DropHandle drop = platform::testing::MakeDrop(paths, utf8);
  if (form.OnDropFiles) Guarded([&] { form.OnDropFiles(drop); });
}

void PostKey(Form& form, ShortCut key) { headless::PostedKeys().push_back({&form, key}); }

bool Busy() { return headless::Busy(); }

int ScreenWidth() { return headless::kScreenWidth; }
int ScreenHeight() { return headless::kScreenHeight; }

}  // namespace ui::testing
