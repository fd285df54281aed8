# Turns GCC's 32-bit x86 assembly of MD5Transform into a routine that runs in 64-bit mode,
#   md5_blocks_m32(state, data, blocks, stack_top), all addresses below 4 GiB,
# which calls the block function once per 64-byte block the way a 32-bit MD5Update does
# (push block, push state, call, pop the arguments). Every instruction of the block
# function is kept: 32-bit address registers assemble as address-size-prefixed forms, exact
# while everything lies below 4 GiB. Only what differs between the modes is rewritten:
# push and pop (kept as 4-byte slots), call and return.
BEGIN {
  print "\t.text"
  print "\t.p2align 6"
  print "\t.globl md5_blocks_m32"
  print "\t.type md5_blocks_m32, @function"
  print "md5_blocks_m32:"
  print "\tpushq %rbx\n\tpushq %rbp\n\tpushq %r12\n\tpushq %r13\n\tpushq %r14\n\tpushq %r15"
  print "\tmovq %rsp, %r12\n\tmovq %rcx, %rsp"
  print "\tmovl %edi, %r13d\n\tmovl %esi, %r14d\n\tmovl %edx, %r15d"
  print ".Lm32_next:"
  print "\tsubq $4, %rsp\n\tmovl %r14d, (%rsp)"   # push block
  print "\tsubq $4, %rsp\n\tmovl %r13d, (%rsp)"   # push state
  print "\tsubq $4, %rsp\n\tmovl $0, (%rsp)"      # call: the return address slot
}
/^_Z12MD5TransformPjPKh:/ { inside = 1; next }
inside && /\.cfi_endproc/ { inside = 0 }
!inside { next }
$1 == "pushl" { print "\tsubq $4, %rsp\n\tmovl " $2 ", (%rsp)"; next }
$1 == "popl" { print "\tmovl (%rsp), " $2 "\n\taddq $4, %rsp"; next }
$1 == "ret" { print "\taddq $4, %rsp\n\tjmp .Lm32_back"; next }
$1 ~ /^\.L[0-9]+:$/ { print; next }
$1 ~ /^\./ { next }
/@|_GLOBAL_OFFSET_TABLE_|call/ {
  print "transplant: not handled: " $0 > "/dev/stderr"
  exit 1
}
{ print }
END {
  print ".Lm32_back:"
  print "\taddq $8, %rsp"   # the caller pops its arguments
  print "\taddl $64, %r14d\n\tdecl %r15d\n\tjnz .Lm32_next"
  print "\tmovq %r12, %rsp\n\tpopq %r15\n\tpopq %r14\n\tpopq %r13\n\tpopq %r12\n\tpopq %rbp\n\tpopq %rbx\n\tret"
  print "\t.section .note.GNU-stack,\"\",@progbits"
}
