7
0, span
7, span
8, span
16, "quoted, with comma"
18, "quoted, with comma"
22, 
26.5, "quoted, with comma"
2
1, 1, 0, span
7, 1, 0, x
1
2.1e+11, span
1
8.5E-6, span
6
1, 2
1, 1, x
2, 3, 1
1, "quoted, with comma"
3, 4, 1, 1, span
5, 4, 1, 1, span
5, 6, 1, 1, x
6, 7
1, 1, span
3
6, 4, 2, 2, 1, 0, "quoted, with comma"
4, 1, 6
4, 0.5, 0.5, "quoted, with comma"
1
2, 0, 11
0.5
0, span
2
7, -2, 2, span
7, -1, 2, x
