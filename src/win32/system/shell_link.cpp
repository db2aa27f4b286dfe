#include "win32/system/shell_link.h"

#include <shlobj.h>

namespace orvanta::win32 {
namespace {

// One failing step ends the work with its HRESULT.
#define RETURN_IF_FAILED(call)   \
  do {                           \
    const HRESULT hr_ = (call);  \
    if (FAILED(hr_)) return hr_; \
  } while (false)

HRESULT create_link(ComPtr<IShellLinkW>& link) {
  return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                          link.put_void());
}

HRESULT file_of(const ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file) {
  return link->QueryInterface(IID_IPersistFile, file.put_void());
}

}  // namespace

ComApartment::ComApartment()
    : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}

ComApartment::~ComApartment() {
  // S_FALSE (already initialised on this thread) is balanced by its own uninitialise too.
  if (SUCCEEDED(hr_)) CoUninitialize();
}

HRESULT write_link_file(const std::wstring& link_path, const std::wstring& target,
                        const std::wstring& working_folder) {
  ComPtr<IShellLinkW> link;
  RETURN_IF_FAILED(create_link(link));
  RETURN_IF_FAILED(link->SetPath(target.c_str()));
  RETURN_IF_FAILED(link->SetWorkingDirectory(working_folder.c_str()));
  ComPtr<IPersistFile> file;
  RETURN_IF_FAILED(file_of(link, file));
  return file->Save(link_path.c_str(), TRUE);
}

HRESULT retarget_link_file(const std::wstring& link_path, const std::wstring& target, WORD hotkey) {
  ComPtr<IShellLinkW> link;
  RETURN_IF_FAILED(create_link(link));
  ComPtr<IPersistFile> file;
  RETURN_IF_FAILED(file_of(link, file));
  RETURN_IF_FAILED(file->Load(link_path.c_str(), STGM_READWRITE));
  RETURN_IF_FAILED(link->SetHotkey(hotkey));
  RETURN_IF_FAILED(link->SetPath(target.c_str()));
  return file->Save(link_path.c_str(), TRUE);
}

HRESULT read_link_file(const std::wstring& link_path, LinkFacts& facts) {
  ComPtr<IShellLinkW> link;
  RETURN_IF_FAILED(create_link(link));
  ComPtr<IPersistFile> file;
  RETURN_IF_FAILED(file_of(link, file));
  RETURN_IF_FAILED(file->Load(link_path.c_str(), STGM_READ));
  wchar_t buffer[MAX_PATH] = {};
  RETURN_IF_FAILED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH));
  facts.target = buffer;
  buffer[0] = L'\0';
  RETURN_IF_FAILED(link->GetWorkingDirectory(buffer, MAX_PATH));
  facts.working_folder = buffer;
  return link->GetHotkey(&facts.hotkey);
}

}  // namespace orvanta::win32
