
7
0, x
5.5, "quoted, with comma"
14.5, 
16, 
19, "quoted, with comma"
26.5, "quoted, with comma"
30.5, span
2
1, 1, 0, 
7, 1, 0, "quoted, with comma"
2
2.1e+11, span
2E8, span
1
0.0004, 
6
2, 1, 2, 1, x
2, 3, 1, 1, x
4, 3, 2, 1, 
4, 5, 1, 1, 
6, 5, 2, 1, "quoted, with comma"
7, 6, 1, 1, "quoted, with comma"
0

0
