# comment
var a 1 3
var b 1 3
var c 1 3
allDiff a b c
neq a b
lt a c
le b c -1
