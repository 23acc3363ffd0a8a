var x 0 9
var y 0 9
linear 1 x 1 y 12 eq
linear 1 x -1 y 2 eq
