6
0, 
8, x
12.5, "quoted, with comma"
20.5, 
24, 
31, x
2
1, 1, 1, 
6, 1, 0, span

2
2.1e+11, "quoted, with comma"
2.1e+11, "quoted, with comma"
2
8.5E-6, x
8.5E-6, 
5
1, 2, 1, 2, 
3, 2, 1, 1, span
4, 3, 2, 1, "quoted, with comma"
4, 5, 2, 2, x
5
6, 2, 2, span
0
1
3, -2, 3, "quoted, with comma"
