#include "ui/testing.h"

#include "platform/process.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/form_impl.h"
#include "ui/headless/list_native.h"
#include "ui/list_view.h"

namespace ui::testing {

// The menus see the key first, as the message loop translates shortcuts before dispatching;
// the controls here handle no Ctrl combinations.
void PressKey(Form& form, ShortCut key) {
  if (form.IsShortCut(key)) return;
  headless::KeyTarget* focus = form.impl().focus;
  if (focus && !key.ctrl) focus->KeyDown(key.key);
}

void TypeText(Form& form, const std::string& text) {
  if (headless::KeyTarget* focus = form.impl().focus) focus->Chars(text);
}

void ClickColumnHeader(ListView& list, int column) { list.ColumnClicked(column); }

void ClickRow(ListView& list, int index) { headless::ListNative::Of(list).ClickRow(index); }

void DropFiles(Form& form, const std::vector<std::string>& paths, bool utf8) {
  platform::DropHandle drop = platform::testing::MakeDrop(paths, utf8);
  if (form.OnDropFiles) Guarded([&] { form.OnDropFiles(drop); });
}

}  // namespace ui::testing
