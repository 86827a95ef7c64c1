// The batch file that sorts the pixel list through the command shell: its three lines and how
// they are written.
#pragma once

#include <string>
#include <vector>

namespace mipro::win32 {

// A path as one argument of a batch line: in quotation marks, so blanks and '&' stay part of
// it, and with every '%' doubled, so the shell does not read it as a variable.
std::string BatchArgument(const std::string& path);

// The three lines: delete the marker, sort the list into the sorted file with the sort program
// named by its full path, create the marker.
std::vector<std::string> SortBatchLines(const std::string& doneFile, const std::string& pixFile,
                                        const std::string& sortFile, const std::string& sortProgram);

// The system's own sort.exe, in the System32 folder; empty when that folder is not known. Named
// so, a sort.exe, .com, .bat or .cmd in the shell's current folder (the temporary folder) is
// never run in its place.
std::string SystemSortProgram();

// The path with its folder in the short (8.3) form where the system has one; the name stays as
// made ("MPR1A2B.TMP" is already short). So the batch reads in any code page.
std::string WithShortFolder(const std::string& path);

// Writes the lines, each ended by CR LF, in the code page the command shell reads (the OEM one);
// false when a letter has no place in that code page or the file cannot be written.
bool WriteBatchFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace mipro::win32
