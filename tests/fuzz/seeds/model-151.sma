5
0, x
8, 
9.5, span
13, span
15, x
2
1, 1, 0, 
5, 1, 0, span

1
2.1e+11, x
1
8.5E-6, span
4
2, 1, 1, 1, "quoted, with comma"
2, 3, 1, 1, 
3, 4, 1, 1, span
5, 4, 1, 1, x
2
1, 2
-2, 13, 0.5, 0, x
2
2, 6, -3, 1, 0.25, span

2
4, -1, 0, span
4, -5, 2, "quoted, with comma"
