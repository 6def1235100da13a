#pragma once
// A buffer inside the program's process, for the messages that Wine passes across processes as
// raw pointers (status bar and tooltip messages).
#include <windows.h>

#include <vector>

namespace driver {

class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  std::vector<char> Read() const {
    std::vector<char> bytes(size_);
    SIZE_T got = 0;
    if (address_) ReadProcessMemory(process_, address_, bytes.data(), size_, &got);
    bytes.resize(got);
    return bytes;
  }
  // Copies size bytes to the start of the buffer.
  void Write(const void* data, SIZE_T size) const {
    SIZE_T put = 0;
    if (address_ && size <= size_) WriteProcessMemory(process_, address_, data, size, &put);
  }

 private:
  SIZE_T size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace driver
