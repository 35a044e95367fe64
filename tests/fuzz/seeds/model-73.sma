7
0, "quoted, with comma"
1.5, 
10, x
11.5, x
20.5, "quoted, with comma"
29.5, x
35, span
2
1, 1, 1, x
7, 1, 0, span
2
2.1e+11, "quoted, with comma"
2.1e+11, span

1
0.0004, x
6
1, 2, 2, 1, x
2, 3, 2, 1, span
3, 4, 1, 1, span
4, 5, 2
1, span
5, 6, 2, 1, 
6, 7, 2, 1, span
0
1
3, -2, 3, 
