7
0, 
5.5, x
14, "quoted, with comma"
22, span
31.5, "quoted, with comma"
36.5, "quoted, with comma"
46, span
2
1, 1, 0, x
7, 1, 0, x
2
2.1e+11, span
2.1e+11, span

2
8.5E-6, span
0.0004, 
6
2, 1, 1, 1, span
2
3, 2, 1, "quoted, with comma"
3, 4, 2, 1, span
4, 5, 1, 1, "quoted, with comma"
5, 6, 1, 1, 
6
7, 2, 2, "quoted, with comma"
4
1, 3, 7, -5, 0.5, 0.25, x
3, 1, 12, 8, 0.5, 0, x
3, 2, 2, -1, 0.5, 0.5, "quoted, with comma"
5, 3, 9, 7, 1, 0.5, 
0
