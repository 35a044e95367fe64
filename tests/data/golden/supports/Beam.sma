5
0, wall
6, pier 2
8, hinge
14, bearing
18, abutment
3
1, 1, 0, wall: partly fixed
2, 1, 0, pier 2
5, 1, 1, abutment
1
2E8, steel
1
0.0004, section
4
1, 2, 1, 1, span 1
2, 3, 1, 1, cantilever
3, 4, 1, 1, suspended span
4, 5, 1, 1, span 3
5
1, 2, 5, 5, 0, 0, dead
2, 2, 5, 5, 0, 0, dead
3, 2, 5, 5, 0, 0, dead
4, 2, 5, 5, 0, 0, dead
3, 1, 20, 0, 3, 0, point load
1
3, -10, 0, load at the hinge
SPRINGS, 2
1, 0, 20000, wall
4, 50000, 0, elastomeric bearing
RELEASES, 1
3, i, Gerber hinge
SETTLEMENTS, 1
3, 2, -0.01, 0, pier 2 sinks 10 mm
CASES, 2
variable, live
3
1, 2, 8, 8, 0, 0, live span 1
3, 2, 8, 8, 0, 0, live suspended span
4, 2, 8, 8, 0, 0, live span 3
0
fixed, settlement
0
0
COMBINATIONS, 2
1.35, 1.0, 1.5, 0, 1.2, 0, ULS
1, 1, 1, 0, 1, 1, SLS
