6
0, 
4.5, 
6, x
8.5, 
13, x
18, x
2
1, 1, 0, 
6, 1, 0, x
2
2.1e+11, x
2E8, 
2
8.5E-6, 
0.0004, "quoted, with comma"
5
1, 2, 1, 2, x
2, 3, 1, 2, span
3, 4, 1, 1, x
4, 5, 1, 1, 
5, 6, 2, 1, "quoted, with comma"

2
4, 1, 4, 12, 0, 0.5, "quoted, with comma"
3, 2, 13, 5, 0.5, 0.25, span

2
6, 2, 3, span
6, -4, 3, "quoted, with comma"
