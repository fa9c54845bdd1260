#pragma once
// yearnbox-bench huge-cell OUT CHARS [FILL]: writes a profile whose first
// item's name is CHARS copies of the character FILL (default 'x'; a '|' reads
// back as a line break), then 100 ordinary items. `paint OUT` then times a
// repaint with a cell far larger than it can show, and once a click on it
// that selects its row, with the repaint after it.

#include <string>
#include <vector>

// args are the command's words, "huge-cell" first. Returns the exit status.
int HugeCellCommand(const std::vector<std::string> &args);
