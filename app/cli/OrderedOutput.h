#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

namespace pagaluz {

// Makes `count` pieces of text on worker threads, one for each core, and writes them to `out`
// in the order of their indices as they are ready: make(index, text) appends piece `index` to
// `text`, which is empty. At most a few pieces wait to be written, so the memory used does not
// grow with `count`; their texts are used again. An exception thrown by make stops the work and
// is thrown again here, with some pieces before it written and none after it.
void writeInOrder(std::size_t count, const std::function<void(std::size_t, std::string &)> &make,
                  std::ostream &out);

} // namespace pagaluz
