4
0, span
4, "quoted, with comma"
13.5, 
16.5, 
2
1, 1, 0, span
4, 1, 0, "quoted, with comma"
2
2E8, 
2E8, 

1
8.5E-6, x
3
1, 2, 1, 1, "quoted, with comma"
2, 3, 2, 1, 
3, 4
2, 1, x
3
1, 4, 3, 13, 0, 0.25, x
2, 1, -2, 1, 0.5, 0, span
3, 1, -3, -2, 0.5, 0.25, span
1
1, -5
1, x
