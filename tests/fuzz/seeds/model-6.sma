6
0, "quoted, with comma"
5.5, x
11.5, span
20, 
27, "quoted, with comma"
28, x

2
1, 1, 1, 
6, 1, 0, "quoted, with comma"

1
2.1e+11, x
2
8.5E-6, 
0.0004, span

5
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 1, x
4, 3, 1
1, "quoted, with comma"
4, 5
1, 1, x
5, 6, 1, 2, x
2
2, 1, -4, 6, 1, 0, span
3, 2, 8, -4, 1, 0.25, span
0
