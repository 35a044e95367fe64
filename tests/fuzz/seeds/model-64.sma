3
0, 
6.5, 
14.5, "quoted, with comma"
2
1, 1, 1, span
3, 1, 0, 
1
2.1e+11, "quoted, with comma"
2
8.5E-6, "quoted, with comma"
8.5E-6, x

2
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 2, 
4
2, 2, 6, -1, 0, 0.25, 
1
4, 0
7, 0.5, 0.25, x
1, 1, 12, 11, 0, 0, 
2, 2, 11, 4, 1, 0.5, span

2
2, 2, 0, "quoted, with comma"
2, 4, 3, 
