NAME          PLAN
* max x + y  subject to  x + 2y <= 4,  3x + y <= 6  (as a minimisation of -x - y)
ROWS
 N  PROFIT
 L  LABOUR
 L  MACHINE
COLUMNS
    CHAIRS    PROFIT        -1   LABOUR         1
    CHAIRS    MACHINE        3
    TABLES    PROFIT        -1   LABOUR         2
    TABLES    MACHINE        1
RHS
    RHS       LABOUR         4   MACHINE        6
ENDATA
