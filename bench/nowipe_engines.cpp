// Compiles the shipped engine sources a second time inside namespace nowipe, with every
// MD_memset turned into a plain fill. The difference in speed is what the un-elidable wipes
// cost. The engines' own names are renamed while they are included: argument-dependent
// lookup would otherwise see the shipped functions beside these, and the two sources share
// private names (PADDING), so each goes into a namespace of its own. MD5's block function
// is compiled in nowipe_md5_transform.cpp, with the options of the shipped one.
#include "nowipe_engines.h"

// Whatever the engine sources include must be in place before they are pulled into a
// namespace, where a standard header would otherwise land.
#include <cstddef>
#include <cstdint>

#define MD_memset PlainMemset
#define MD5Init MD5InitPlain
#define MD5Update MD5UpdatePlain
#define MD5Final MD5FinalPlain
#define MD5Transform MD5TransformPlain
#define MD2Init MD2InitPlain
#define MD2Update MD2UpdatePlain
#define MD2Final MD2FinalPlain
#define MD2Transform MD2TransformPlain

namespace nowipe {
namespace md5 {
void MD5Transform(uint32_t state[4], const uint8_t block[64]);
#include "md5.cpp"
}  // namespace md5
namespace md2 {
void MD2Transform(uint8_t state[16], uint8_t checksum[16], const uint8_t block[16]);
#include "md2.cpp"
}  // namespace md2
}  // namespace nowipe

#undef MD5Init
#undef MD5Update
#undef MD5Final
#undef MD2Init
#undef MD2Update
#undef MD2Final

namespace nowipe {

void MD5Init(MD5_CTX* context) { md5::MD5InitPlain(context); }
void MD5Update(MD5_CTX* context, const uint8_t* input, uint32_t inputLen) {
  md5::MD5UpdatePlain(context, input, inputLen);
}
void MD5Final(uint8_t digest[16], MD5_CTX* context) { md5::MD5FinalPlain(digest, context); }

void MD2Init(MD2_CTX* context) { md2::MD2InitPlain(context); }
void MD2Update(MD2_CTX* context, const uint8_t* input, uint32_t inputLen) {
  md2::MD2UpdatePlain(context, input, inputLen);
}
void MD2Final(uint8_t digest[16], MD2_CTX* context) { md2::MD2FinalPlain(digest, context); }

}  // namespace nowipe
