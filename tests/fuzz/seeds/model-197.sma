7
0, "quoted, with comma"
3, 
11.5, 
17.5, x
24.5, "quoted, with comma"
30, x
34, x

2
1, 1, 0, 
7, 1, 0, span
2
2.1e+11, 
2.1e+11, span
1
8.5E-6, x
6
1, 2, 1, 1, "quoted, with comma"
2, 3, 1, 1, x
4, 3, 2, 1, x
4, 5, 1, 1, span
5
6, 2, 1, "quoted, with comma"
6
7, 2, 1, span

3
6, 1, 11, 9, 0.5, 0, "quoted, with comma"
2, 2, -5, -3, 0.5, 0.25, "quoted, with comma"
1, 2, 1
-1, 1, 0.25, x
1
4, -4, 0, x
