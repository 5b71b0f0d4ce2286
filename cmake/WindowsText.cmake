# Writes a text file as Windows users' editors expect it: CRLF line ends, and with BOM=ON the
# UTF-8 byte order mark, by which Notepad of every version knows the Japanese is UTF-8.
#   cmake -D IN=file -D OUT=file [-D BOM=ON] -P cmake/WindowsText.cmake
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
if(BOM)
    string(ASCII 239 187 191 mark)
    string(PREPEND text "${mark}")
endif()
file(WRITE "${OUT}" "${text}")
