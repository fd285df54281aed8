// MD5's block function for the engines of nowipe_engines.cpp, its wipe left to the
// optimiser like theirs. A file of its own, so that it is compiled with the options the
// shipped block function gets (bench/CMakeLists.txt): the comparison is then of the wipes
// alone.
#include "nowipe_engines.h"

#define MD_memset PlainMemset
#define MD5Transform MD5TransformPlain

namespace nowipe {
namespace md5 {
#include "md5_transform.cpp"
}  // namespace md5
}  // namespace nowipe
