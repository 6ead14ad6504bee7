// The standard output and error of the Windows program, which is a GUI
// program: the system gives it no console of its own. Output redirected to
// a file or a pipe (a release script) gets the UTF-8 bytes as they are;
// output to the console of the command line that started the program is
// written as UTF-16, so that accents show whatever the console's code page.
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace app {

class HandleStreamBuffer : public std::streambuf {
 public:
  explicit HandleStreamBuffer(HANDLE handle);
  ~HandleStreamBuffer() override;

 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;
  int sync() override;

 private:
  HANDLE handle_;
  bool console_;
  std::string pending_;
};

class StandardStreams {
 public:
  // Binds to the handles the program was started with; where one is
  // missing, to the console of the parent process, if it has one.
  StandardStreams();

  std::ostream& Out() { return out_; }
  std::ostream& Err() { return err_; }

 private:
  HandleStreamBuffer outBuffer_;
  HandleStreamBuffer errBuffer_;
  std::ostream out_{&outBuffer_};
  std::ostream err_{&errBuffer_};
};

}  // namespace app
