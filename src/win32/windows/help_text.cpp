#include "win32/windows/help_text.h"

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

std::wstring help_text_for_edit(std::string_view utf8) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    utf8.remove_prefix(kByteOrderMark.size());
  }
  const std::wstring wide = to_wide(utf8);
  std::wstring text;
  text.reserve(wide.size() + wide.size() / 16);
  for (size_t i = 0; i < wide.size(); ++i) {
    const wchar_t c = wide[i];
    if (c == L'\r') continue;  // line ends are rebuilt from the LFs
    if (c == L'\n') text += L'\r';
    text += c;
  }
  return text;
}

std::wstring load_help_text(HMODULE module) {
  const HRSRC found =
      check_handle(FindResourceW(module, L"HELPTEXT", RT_RCDATA), L"FindResourceW (HELPTEXT)");
  if (found == nullptr) return {};
  const HGLOBAL loaded = check_handle(LoadResource(module, found), L"LoadResource (HELPTEXT)");
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  const DWORD size = SizeofResource(module, found);
  try {
    return help_text_for_edit(std::string_view(static_cast<const char*>(bytes), size));
  } catch (const EncodingError&) {
    check(false, L"help text is not UTF-8");
    return {};
  }
}

}  // namespace orvanta::win32
