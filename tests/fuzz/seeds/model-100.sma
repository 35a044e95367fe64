3
0, "quoted, with comma"
2.5, span
7, span

2
1, 1, 1, 
3
1, 0, "quoted, with comma"
2
2.1e+11, span
2E8, x
1
8.5E-6, x
2
1
2, 2, 1, x
2, 3, 1, 1, 
0
0
