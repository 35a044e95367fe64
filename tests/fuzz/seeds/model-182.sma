6
0, span
5.5, 
7, span
12, x
19.5, "quoted, with comma"
26, x
2
1, 1, 1, 
6, 1
0, "quoted, with comma"
2
2.1e+11, "quoted, with comma"
2E8, 
2
8.5E-6, x
0.0004, span
5
1, 2, 1, 1, 
2, 3, 2, 1, "quoted, with comma"
4, 3, 1, 2, x
4, 5, 1, 2, 
5, 6, 2, 1, 
4
2, 3, 12, -4, 0, 0, span
1, 3, 9, 10, 0.5, 0, 
4, 1, 8, -5, 0, 0.25, "quoted, with comma"
4
3
1, 1, 0.5, 0.25, span
2
6, -1, 3, "quoted, with comma"
2, 2, 3, "quoted, with comma"
