7
0, 
6, x
8, "quoted, with comma"
17.5, "quoted, with comma"
26, span
32.5, 
36, 
2
1, 1, 0, "quoted, with comma"
7, 1, 0, span
2
2E8, "quoted, with comma"
2E8, "quoted, with comma"
1
0.0004, "quoted, with comma"
6
1, 2, 1, 1, 
3, 2, 2
1, span
3, 4, 1, 1, span
5, 4, 1, 1, span
5, 6, 2, 1, "quoted, with comma"
6, 7, 2, 1, "quoted, with comma"
2
4, 4, 2, -2
0
0.25, span
5, 4, -4, 0, 0, 0.5, x
0
